// Stand-in only (not engine API): which sanitizer this code is built with, for GCC and clang alike.
// STANDIN_ADDRESS_SANITIZER and STANDIN_THREAD_SANITIZER are 1 or 0.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define STANDIN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STANDIN_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef STANDIN_ADDRESS_SANITIZER
#define STANDIN_ADDRESS_SANITIZER 0
#endif

#if defined(__SANITIZE_THREAD__)
#define STANDIN_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define STANDIN_THREAD_SANITIZER 1
#endif
#endif
#ifndef STANDIN_THREAD_SANITIZER
#define STANDIN_THREAD_SANITIZER 0
#endif
