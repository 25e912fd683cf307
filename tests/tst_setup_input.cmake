zentri_add_test(tst_setup_input SOURCES tst_setup_input.cpp fakelink.h LIBS zentri_ui)
