# The device emulator: its logic with a fake clock, its command line and the program on loopback.
zentri_add_test(tst_emulator SOURCES tst_emulator.cpp LIBS zentri_emulator_core PORTS)
add_dependencies(tst_emulator zentri-emulator)
target_compile_definitions(tst_emulator PRIVATE ZENTRI_EMULATOR_PATH="$<TARGET_FILE:zentri-emulator>")
