// A library for the tests of LoadLibraryW.
extern "C" __attribute__((visibility("default"))) int TestLibraryAnswer() {
    return 42;
}
