// A logic library's source that reaches for a window: the build refuses it.
#include "model/Model.h"

#include <QWidget>

int qtInModel() {
    return 0;
}
