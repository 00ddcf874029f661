#pragma once
// libkorvex3: the plain functions a host program calls to drive a Korvex fiscal register.
//
// Every device function takes a handle from korvex3_open and a reply time-out in
// milliseconds, returns a result code (0 success, negative: a library failure, see
// korvex3/result_codes.h) and hands out a UTF-8 JSON text through `out`. Texts handed out
// belong to the connection and stay valid until korvex3_close of that handle; never free them.
// The register's own verdict is the "response" member of that text, with result 0.
//
// One call at a time per handle; calls on different handles may run on different threads.

#include <cstdint>

#include "korvex3/result_codes.h"

#define KORVEX3_API extern "C" __attribute__((visibility("default")))

using korvex3_u16 = std::uint16_t;
using korvex3_u32 = std::uint32_t;

// Prepares the log once per process (level off until the host raises the shared logger).
__attribute__((visibility("default"))) void korvex3_initialize();
// Does nothing; present for symmetry with korvex3_initialize.
__attribute__((visibility("default"))) void korvex3_finalize();
KORVEX3_API void korvex3_version(int& major, int& minor, int& build, int& revision);

// Connections. korvex3_open returns a positive handle, or a negative result code.
KORVEX3_API int korvex3_open(const char* address, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_close(int handle);

// Identity, state and mode control.
KORVEX3_API int korvex3_get_info(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_get_state(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_fremu_enter(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_fremu_exit(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_fremu_keep_alive(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_reset(int handle, korvex3_u16 timeout);
KORVEX3_API int korvex3_fremu_reset(int handle, korvex3_u16 timeout);
KORVEX3_API int korvex3_fremu_query(int handle, korvex3_u16 timeout, korvex3_u32 task, const char*& out);

// Receipt cycle; taskId receives the task id when the request went out in full, else 0.
KORVEX3_API int korvex3_fremu_open_shift(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_close_shift(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_open_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_close_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_cancel_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out);
KORVEX3_API int korvex3_fremu_add_item(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_set_agent(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_set_client_info(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_set_industry_props(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_query_marking(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_add_text(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_add_footer(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_print(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_print_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);

// Fiscal drive and goods.
KORVEX3_API int korvex3_get_fd(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_get_fdstate(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_get_fdtag(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_read_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_write_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_delete_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out);

// Reports, archive and clock.
KORVEX3_API int korvex3_fremu_report_x(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out);
KORVEX3_API int korvex3_fremu_report_xe(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_report_state(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out);
KORVEX3_API int korvex3_fremu_get_money(int handle, korvex3_u16 timeout, const char*& out);
KORVEX3_API int korvex3_fremu_close_archive(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
KORVEX3_API int korvex3_set_datetime(int handle, korvex3_u16 timeout, const char* json, const char*& out);

// Document import (UTF-8 texts, or \uXXXX-escaped texts for import_doc2) and registration.
KORVEX3_API int korvex3_import_doc(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_import_doc2(int handle, korvex3_u16 timeout, const char* json, const char*& out);
KORVEX3_API int korvex3_fremu_registration(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out);
