# Wine tests: report
