// Files by handle, and the buffered reader every reader of the library goes through:
// two slots of 16 KB, so the many small field reads cost no system call.
#pragma once

#include <cstdint>
#include <string>

enum {
    Q2SL_READ_OK = 0,
    Q2SL_NO_SLOT = 998,     // releasing a handle that has no slot
    Q2SL_SLOTS_BUSY = 999,  // both slots serve other handles
};
enum { Q2SL_DOS_READ = 0, Q2SL_DOS_RELEASE = 1 };

// Open a real filesystem path; -1 on failure.
int Dos_OpenRead(const std::string& path);
int Dos_OpenWrite(const std::string& path);
// Bytes moved (fewer at the end of the file), or -1 on error.
int32_t Dos_Read(int handle, void* dest, uint32_t count);
int32_t Dos_Write(int handle, const void* source, uint32_t count);
// Moves the position (origin as for fseek); the new position or -1.
int64_t Dos_Seek(int handle, int64_t offset, int origin);
int64_t Dos_Size(int handle);
// Closes the file and frees its slot of the buffered reader.
void Dos_Close(int handle);

// Reads count bytes for a handle through its slot; *delivered gets the bytes copied.
int Q2SL_DosRead(int handle, void* dest, uint32_t count, uint32_t* delivered, int mode);
// 1 when exactly count bytes arrive through the buffered reader.
int Q2SL_ReadAll(int handle, void* dest, uint32_t count);
// 1 when all count bytes are written.
int Q2SL_WriteAll(int handle, const void* source, uint32_t count);

// Little-endian fields through the buffered reader / straight to the file.
int Q2SL_ReadU8(int handle, uint8_t& v);
int Q2SL_ReadU16(int handle, uint16_t& v);
int Q2SL_ReadI16(int handle, int16_t& v);
int Q2SL_ReadU32(int handle, uint32_t& v);
int Q2SL_ReadI32(int handle, int32_t& v);
int Q2SL_WriteU8(int handle, uint8_t v);
int Q2SL_WriteU16(int handle, uint16_t v);
int Q2SL_WriteI16(int handle, int16_t v);
int Q2SL_WriteU32(int handle, uint32_t v);
int Q2SL_WriteI32(int handle, int32_t v);
// A name field of size bytes; the copy kept is always terminated.
int Q2SL_ReadName(int handle, char* name, uint32_t size);
int Q2SL_WriteName(int handle, const char* name, uint32_t size);
// Copies text into a name field of size bytes, cut and terminated.
void Q2SL_SetName(char* name, uint32_t size, const char* text);
