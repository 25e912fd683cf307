zentri_add_test(tst_liverecord SOURCES tst_liverecord.cpp LIBS zentri_ui)
