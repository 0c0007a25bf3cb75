# Tests that only make sense under Wine: they look at the Wine prefix from the
# outside.
add_test(NAME HmdEditorUnderWine.ScriptedRunSavesBelowTheShellsPublicDocuments
  COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/WineKnownFolderTest.sh
    ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:hmd-editor>
    ${PROJECT_BINARY_DIR}/WineKnownFolderTest)
