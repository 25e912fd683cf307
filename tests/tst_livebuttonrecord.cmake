zentri_add_test(tst_livebuttonrecord SOURCES tst_livebuttonrecord.cpp fakelink.h LIBS zentri_ui PORTS)
