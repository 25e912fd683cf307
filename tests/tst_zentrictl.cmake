# zentrictl against the emulator and a scripted device on loopback addresses.
zentri_add_test(tst_zentrictl SOURCES tst_zentrictl.cpp fakedevice.h LIBS zentri_rig PORTS)
add_dependencies(tst_zentrictl zentrictl zentri-emulator)
target_compile_definitions(tst_zentrictl PRIVATE ZENTRICTL_PATH="$<TARGET_FILE:zentrictl>"
                                                 ZENTRI_EMULATOR_PATH="$<TARGET_FILE:zentri-emulator>")
