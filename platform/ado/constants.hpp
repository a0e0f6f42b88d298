#pragma once
// ADO's enumerations with ADO's names and numbers, so that code using the layer reads like ADO
// code.

#include <cstdint>

namespace ado {

enum CursorLocationEnum : int32_t {
    adUseNone = 1,
    adUseServer = 2,
    adUseClient = 3,
};

enum CursorTypeEnum : int32_t {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : int32_t {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

enum CommandTypeEnum : int32_t {
    adCmdUnspecified = -1,
    adCmdText = 1,
    adCmdTable = 2,
    adCmdStoredProc = 4,
    adCmdUnknown = 8,
    adCmdFile = 256,
    adCmdTableDirect = 512,
};

// Options of Execute and Open beside the command type: plain numbers, so that they combine with
// a command type ("adCmdText | adExecuteNoRecords").
inline constexpr int32_t adOptionUnspecified = -1;
inline constexpr int32_t adAsyncExecute = 0x10;
inline constexpr int32_t adAsyncFetch = 0x20;
inline constexpr int32_t adAsyncFetchNonBlocking = 0x40;
inline constexpr int32_t adExecuteNoRecords = 0x80;

enum ObjectStateEnum : int32_t {
    adStateClosed = 0,
    adStateOpen = 1,
};

enum AffectEnum : int32_t {
    adAffectCurrent = 1,
    adAffectGroup = 2,
    adAffectAll = 3,
};

enum EditModeEnum : int32_t {
    adEditNone = 0,
    adEditInProgress = 1,
    adEditAdd = 2,
    adEditDelete = 4,
};

enum FilterGroupEnum : int32_t {
    adFilterNone = 0,
    adFilterPendingRecords = 1,
    adFilterAffectedRecords = 2,
    adFilterFetchedRecords = 3,
    adFilterConflictingRecords = 5,
};

enum ParameterDirectionEnum : int32_t {
    adParamUnknown = 0,
    adParamInput = 1,
    adParamOutput = 2,
    adParamInputOutput = 3,
    adParamReturnValue = 4,
};

enum DataTypeEnum : int32_t {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adTinyInt = 16,
    adBigInt = 20,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
};

// ADO's error numbers (the low word of its HRESULTs) and the provider errors the layer raises.
enum ErrorNumberEnum : int32_t {
    adErrInvalidArgument = 3001,
    adErrNoCurrentRecord = 3021,
    adErrIllegalOperation = 3219,
    adErrFeatureNotAvailable = 3251,
    adErrItemNotFound = 3265,
    adErrDataConversion = 3421,
    adErrObjectClosed = 3704,
    adErrObjectOpen = 3705,
    adErrProviderNotFound = 3706,
    adErrInvalidParamInfo = 3708,
    adErrInvalidConnection = 3709,
    adErrOperationCancelled = 3712,
    // Provider errors, as the OLE DB providers report them.
    adErrProviderFailed = -2147467259,        // 0x80004005: cannot open the data source
    adErrCommandFailed = -2147217900,         // 0x80040E14: the statement failed
    adErrQueryTimeout = -2147217871,          // 0x80040E31: query timeout expired
    adErrNoTable = -2147217865,               // 0x80040E37: the table does not exist
    adErrRowNotFoundForUpdate = -2147217864,  // 0x80040E38: row changed or deleted meanwhile
};

}  // namespace ado
