zentri_add_test(tst_cue SOURCES tst_cue.cpp fakelink.h LIBS zentri_ui PORTS)
