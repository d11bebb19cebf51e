#pragma once
// GetModuleFileName as Win32 has it, for the one module a program has here: its executable.
#include <cstdint>

// Copies the executable's full path and a NUL into szFileName. Returns the length copied
// without the NUL; nSize when the path had to be cut short (still NUL-terminated); 0 when
// the path cannot be had or the buffer is null or empty. Every module handle, null
// included, names the executable.
std::uint32_t GetModuleFileName(void* hModule, char* szFileName, std::uint32_t nSize);
