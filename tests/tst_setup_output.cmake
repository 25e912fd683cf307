zentri_add_test(tst_setup_output SOURCES tst_setup_output.cpp fakelink.h LIBS zentri_ui)
