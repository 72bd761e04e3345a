#include "platform/owl/TApplication.h"

namespace OWL {

TApplication& TApplication::Current() {
    static TApplication application;
    return application;
}

} // namespace OWL
