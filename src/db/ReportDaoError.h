#pragma once

class DaoException;

// Shows the string-table text `idText` (none for 0), two line breaks and the database's
// description of the failure, with the error icon.
void ReportDaoError(unsigned idText, const DaoException& e);
