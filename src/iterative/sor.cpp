#include "methods.h"

namespace lineer {

void Module_LesSOR(Context& ctx) { ctx.host.message("Bu yöntem henüz hazır değil"); }

}  // namespace lineer
