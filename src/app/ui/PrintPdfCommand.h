#pragma once

struct PrintPdfRequest;
class CTavlinApp;

// Writes the print version of the requested document to its PDF file without showing a window.
// The exit code: 0 when the file was written, else 1 with the message on standard error.
int runPrintPdf(CTavlinApp& app, const PrintPdfRequest& request);
