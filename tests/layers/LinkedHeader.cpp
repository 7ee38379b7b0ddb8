// The same target with only the headers of what it links: it builds.
#include "model/Model.h"

int linkedHeader() {
    return 0;
}
