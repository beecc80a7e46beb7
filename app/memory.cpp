// Labelled allocation: the label names a block for diagnostics only.
#include <cstdlib>

#include "app/shell.h"

void* my_new(size_t size, const char* /*label*/)
{
    // Zeroed, so a record read short from a file never holds stale heap bytes.
    return std::calloc(size ? size : 1, 1);
}

void my_delete_raw(void* block, const char* /*label*/)
{
    std::free(block);
}
