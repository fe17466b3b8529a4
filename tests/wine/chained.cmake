# Wine tests: chained
