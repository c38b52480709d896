# The help followed step by step on the shipped program, its figures read from the pages.
zelmora_wine_test(help_walkthrough bash "${CMAKE_SOURCE_DIR}/tests/e2e/help_walkthrough_test.sh")
