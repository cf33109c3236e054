#include "runtime/platform.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace bv {
namespace {

#ifdef _WIN32
class WindowsPlatform : public Platform {
 public:
  bool dragFullWindows() const override {
    BOOL on = FALSE;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on == TRUE;
  }
  void setDragFullWindows(bool on) override {
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1 : 0, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
};
#else
class PortablePlatform : public Platform {
 public:
  bool dragFullWindows() const override { return false; }
  void setDragFullWindows(bool) override {}
};
#endif

}  // namespace

std::unique_ptr<Platform> Platform::native() {
#ifdef _WIN32
  return std::make_unique<WindowsPlatform>();
#else
  return std::make_unique<PortablePlatform>();
#endif
}

}  // namespace bv
