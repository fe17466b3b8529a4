# Wine tests: progress
