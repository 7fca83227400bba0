// Includes one header, named by the build, with the include folders of one layer: built by the layer
// tests to show that a layer cannot see the headers of a layer above it.
#include LAYER_PROBE_HEADER

int main() {}
