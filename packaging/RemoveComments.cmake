# Run by cpack between installing into its staging folder and building the package: takes the
# compilers' version notes (.comment) out of the executables, as Debian's own packaging does.
file(GLOB executables "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(executable ${executables})
  execute_process(COMMAND "${CPACK_SHEETWISE_OBJCOPY}" --remove-section=.comment "${executable}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objcopy could not take .comment out of ${executable}")
  endif()
endforeach()
