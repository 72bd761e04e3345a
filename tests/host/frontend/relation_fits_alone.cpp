// The relation fits linked alone, for the check of the module code vantrel carries.

#include "host/frontend/RelationFits.h"

int main() {
    auto* volatile fits = &Vantrel::fitRelations;
    return fits ? 0 : 1;
}
