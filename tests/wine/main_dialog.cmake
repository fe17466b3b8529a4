# Wine tests: main_dialog
