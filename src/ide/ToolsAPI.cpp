#include "ide/ToolsAPI.h"

namespace ide {

std::shared_ptr<IBorlandIDEServices> BorlandIDEServices;

}  // namespace ide
