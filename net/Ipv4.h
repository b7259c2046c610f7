#pragma once
// IPv4 addresses as numbers in host byte order, and their subnets.
// Platform-free.
#include <cstdint>
#include <string>

// Four decimal parts of 0 to 255, separated by dots, and nothing else: none
// of inet_addr's shortcuts ("192.168.1", octal, hexadecimal).
bool ParseDottedQuad(const std::wstring& text, std::uint32_t& address);

std::wstring DottedQuad(std::uint32_t address);

// The number of leading one bits of a mask; -1 when its ones are not
// contiguous (no subnet has such a mask).
int PrefixLength(std::uint32_t mask);

// The mask of a prefix length from 0 to 32.
std::uint32_t PrefixMask(int prefix);

// The directed broadcast of the subnet of an address: the address with every
// host bit set. False where the subnet has none: /31 and /32 (no host bits to
// spare), /0 or a broken mask, and every subnet whose broadcast would be
// 255.255.255.255, the limited broadcast.
bool DirectedBroadcast(std::uint32_t address, std::uint32_t mask, std::uint32_t& broadcast);
