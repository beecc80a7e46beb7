// Objects of the library live in labelled heap blocks: the label only names the block.
#pragma once

#include <new>

#include "app/shell.h"

// Builds a T with its defaults in a zeroed labelled block.
template <typename T>
T* Q2SL_New(const char* label)
{
    return new (my_new(sizeof(T), label)) T();
}

// Destroys the object a pointer variable holds and clears the variable; null is left alone.
template <typename T>
void Q2SL_Delete(T*& object, const char* label)
{
    if (object) {
        object->~T();
        my_delete(object, label);
    }
}
