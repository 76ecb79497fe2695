#include "keyboard/keymodel.h"
