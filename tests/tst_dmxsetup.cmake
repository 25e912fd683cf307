zentri_add_test(tst_dmxsetup SOURCES tst_dmxsetup.cpp fakelink.h LIBS zentri_ui)
