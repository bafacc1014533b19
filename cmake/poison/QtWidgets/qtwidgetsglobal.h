#error "Logic code (src/<subsystem>/*.cpp) must not include widget headers; put window code under ui/."
