# Tests that only make sense under Wine: they look at the Wine prefix from the
# outside. They are added once the whole project has been read, so that they
# can ask which programs exist.
function(hmd_add_wine_tests)
  if(TARGET hmd-editor)
    add_test(NAME HmdEditorUnderWine.ScriptedRunSavesBelowTheShellsPublicDocuments
      COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/WineKnownFolderTest.sh
        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:hmd-editor>
        ${PROJECT_BINARY_DIR}/WineKnownFolderTest)
  endif()
endfunction()
cmake_language(DEFER CALL hmd_add_wine_tests)
