// A small JSON writer that keeps keys in the order they are written and numbers exactly as the
// catalog holds them. Output is indented by two blanks per level and ends with a line feed; on a
// stream asked for compact JSON (--compact) each document is one line, without blanks.
// It is collected in a buffer and handed to the stream in large pieces (and when the outermost
// value is closed), since a catalog of 100,000 papers makes millions of small writes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise::cli {

// Whether the JSON written to a stream from now on is compact: one line a document, for tools
// that take one document per line. The flag travels with the stream, so every writer of every
// command follows it.
void SetCompactJson(std::ostream& out, bool compact);
bool CompactJson(std::ostream& out);

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out);
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view key);

    void String(std::u16string_view text);
    void Integer(int64_t value);
    void Float(float value);
    void Bool(bool value);
    void Null();

    // Shorthands for a key and its value.
    void Field(std::string_view key, std::u16string_view text);
    // A literal would otherwise take the bool overload.
    void Field(std::string_view key, const char16_t* text) {
        Field(key, std::u16string_view(text));
    }
    void Field(std::string_view key, int32_t value);
    void Field(std::string_view key, float value);
    void Field(std::string_view key, bool value);
    void Field(std::string_view key, const std::vector<std::u16string>& texts);

    // Hands what is buffered to the stream.
    void Flush();

  private:
    // Room for `bytes` more characters after what is buffered; Used() takes the end of what was
    // written there. Put() copies a piece.
    char* Room(size_t bytes);
    void Used(const char* end);
    void Put(std::string_view piece);
    char* KeyRoom(std::string_view key, size_t valueBytes);
    void BeforeValue();
    void NewLine();
    void Open(char bracket, bool array);
    void Close(char bracket);

    struct Level {
        bool array;
        bool empty;
    };

    std::ostream& out_;
    std::string buffer_;  // its first used_ characters are the output not yet written
    size_t used_ = 0;
    std::vector<Level> levels_;
    bool afterKey_ = false;
    bool compact_ = false;
};

// UTF-8 of the text, appended to `out`; ASCII is copied as it is.
void AppendUtf8(std::string& out, std::u16string_view text);

// A JSON string literal: UTF-8, with quotes, backslashes, control characters and the characters
// that change how text displays (IsDisplayHazard) escaped. A lone surrogate, which has no UTF-8
// form, is written as its \u escape so that no unit is lost; so is a byte of a file name that is
// no UTF-8 (U+DC80..U+DCFF, as Python's "surrogateescape" reads it back).
std::string JsonString(std::u16string_view text);
// The same, appended to `out`.
void AppendJsonString(std::string& out, std::u16string_view text);

// The shortest decimal text that reads back as exactly this float; "11.0" rather than "11" so
// that it stays recognisably a measure. Not-a-number and infinities have no JSON form: "null".
std::string JsonFloat(float value);

// The same text without the JSON rule for infinities ("inf", "-inf", "nan").
std::string FloatText(float value);
void AppendFloatText(std::string& out, float value);

}  // namespace sheetwise::cli
