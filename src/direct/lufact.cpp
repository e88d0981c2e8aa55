#include "methods.h"

namespace lineer {

void Module_LUFact(Context& ctx) { ctx.host.message("Bu yöntem henüz hazır değil"); }

}  // namespace lineer
