#include "methods.h"

namespace lineer {

void Module_LesThomas(Context& ctx) { ctx.host.message("Bu yöntem henüz hazır değil"); }

}  // namespace lineer
