#include "common/Prompt.h"

namespace sulvo {

SilentPrompt& SilentPrompt::instance() {
    static SilentPrompt prompt;
    return prompt;
}

} // namespace sulvo
