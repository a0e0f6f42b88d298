// Placeholder translation unit so that the library target exists before the classes are added.
namespace kalvik {
extern const char kTypeLibraryName[] = "Kalvik_dll";
}
