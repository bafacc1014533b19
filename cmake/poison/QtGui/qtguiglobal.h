#error "Logic code (src/<subsystem>/*.cpp) must not include GUI headers; put window code under ui/."
