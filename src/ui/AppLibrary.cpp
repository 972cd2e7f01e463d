// Anchors the application library so that it always has at least one translation unit.
namespace quelvan::ui {
int AppLibraryVersion() { return 1; }
} // namespace quelvan::ui
