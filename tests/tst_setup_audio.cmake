zentri_add_test(tst_setup_audio SOURCES tst_setup_audio.cpp fakelink.h LIBS zentri_ui PORTS)
