// Anchors the printing library so that it always has at least one translation unit.
namespace quelvan::printing {
int PrintingLibraryVersion() { return 1; }
} // namespace quelvan::printing
