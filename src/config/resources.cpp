#include "config/resources.h"

#include <QtGlobal>

// Outside the namespace: the macro declares the generated function globally.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace cuefold {

void UseProgramResources()
{
    static const bool done = (registerResources(), true);
    Q_UNUSED(done);
}

} // namespace cuefold
