// The shared widgets of the three programs live in this library.
namespace kiv5::ui {}
