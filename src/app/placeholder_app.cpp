// Placeholder so the library has a translation unit until its classes land.
namespace volarin_app_placeholder { int unused = 0; }
