#include "ui/screen.h"

namespace peruka {

TScreen* Screen = nullptr;

}  // namespace peruka
