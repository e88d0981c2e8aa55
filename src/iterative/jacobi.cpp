#include "methods.h"

namespace lineer {

void Module_LesJacobi(Context& ctx) { ctx.host.message("Bu yöntem henüz hazır değil"); }

}  // namespace lineer
