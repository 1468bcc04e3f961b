// A shared object that loads like any other but carries no string table: what a language folder
// holds when someone drops the wrong library into it.
extern "C" int VeritorPlainLibraryMarker() {
    return 42;
}
