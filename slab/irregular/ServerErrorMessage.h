#pragma once

// The message shown when the analysis server cannot be reached or a call to it fails, for every
// operation of the slab that asks the server.

class _com_error;

// "未找到计算服务器…" when the server is missing, else the failure with its result code.
void ShowServerError(const _com_error& error);
