#include "engine/engine.h"

#include "platform/platform.h"

namespace engine {

Engine &programEngine()
{
    static LibraryEngine engine(platform::programFolder());
    return engine;
}

} // namespace engine
