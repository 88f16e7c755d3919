// Qt key codes to the virtual-key codes the rules and the recordings use.
#pragma once

#include <cstdint>

#include <Qt>

namespace tw {

inline std::uint16_t VirtualKeyFromQt(int QtKey) {
  switch (QtKey) {
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  // Letters and digits share their codes (upper-case ASCII) in both schemes.
  if ((QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) || (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)) {
    return std::uint16_t(QtKey);
  }
  if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) return std::uint16_t(112 + (QtKey - Qt::Key_F1));
  return 0;
}

}  // namespace tw
