/* The code part of the test modules that carry only resources. */
int test_module_marker;
