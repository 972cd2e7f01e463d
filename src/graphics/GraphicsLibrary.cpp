// Anchors the graphics library so that it always has at least one translation unit.
namespace quelvan::graphics {
int GraphicsLibraryVersion() { return 1; }
} // namespace quelvan::graphics
