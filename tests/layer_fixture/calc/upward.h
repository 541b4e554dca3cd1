// A header of calc/ that reaches up into window/: the layer check must reject this tree.
#include "window/window1.h"
