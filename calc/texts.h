#pragma once
// The numbers of the calculation window's texts (section DTACALCPAR_STRING of
// the language files), used by the window and by the computation. Element
// n - 1 of the window's text list is text n; "#" marks where a value goes.

namespace calc {

// Point-list and result files.
constexpr int kTextReplaceList = 1;        // question: replace a list by a file's contents
constexpr int kTextReadListTitle = 2;      // title of the open dialog
constexpr int kTextAllFiles = 3;           // filter text "*.*"
constexpr int kTextProtocolNotChosen = 4;  // the protocol file chosen as a list or result file
constexpr int kTextNothingToWrite = 5;     // the field to write is empty
constexpr int kTextWriteListTitle = 6;     // title of the save dialog of a list
constexpr int kTextTextFiles = 7;          // filter text "*.txt"
constexpr int kTextResultTitle = 44;       // title of the save dialog of the result
constexpr int kTextProtocolNotShown = 39;  // the protocol cannot be shown
constexpr int kTextNoResult = 50;          // printing or exporting without a computed result
constexpr int kTextPrinted = 63;           // the result has been printed
constexpr int kTextPrinterUnusable = 65;   // the printer cannot be used

// Configuration and export files (the file name and ": " come first).
constexpr int kTextFileNotOpened = 46;           // a file cannot be created or opened
constexpr int kTextLoadConfigurationTitle = 48;  // title of the open dialog of a configuration
constexpr int kTextConfigurationFiles = 49;      // filter text "*.kns", "*.knt", "*.kne"
constexpr int kTextEllipsoidsInvalid = 51;       // exporting invalid ellipsoids
constexpr int kTextNoConfiguration = 52;         // a file without the configuration header
constexpr int kTextSaveConfigurationTitle = 53;  // title of the save dialogs of configuration and exports

// Inputs and the computation's failures (the number of the line or point follows).
constexpr int kTextBadLine = 8;            // "#": the line, the list; a line does not fit the format
constexpr int kTextExtraNumbers = 91;      // "#": the line, the list, the values per line
constexpr int kTextValueOutOfRange = 92;   // "#": the line, the list
constexpr int kTextSourceList = 93;        // the source list's name in these messages
constexpr int kTextTargetList = 94;        // the target list's name
constexpr int kTextSourceEllipsoid = 9;    // the source ellipsoid is not valid
constexpr int kTextTargetEllipsoid = 10;   // the target ellipsoid is not valid
constexpr int kTextCountsDiffer = 11;      // the lists hold different numbers of points
constexpr int kTextTooFewPoints = 12;      // fewer than 3 source points
constexpr int kTextAngleOutOfRange = 13;   // longitude or latitude out of range
constexpr int kTextNoParameters = 14;      // the estimation failed
constexpr int kTextScaleNotPositive = 97;  // "#": the scale factor 1 + m, not positive
constexpr int kTextBadMinutes = 45;        // packed angle with minutes or seconds above 59
constexpr int kTextSourceFlattening = 72;  // the source 1/f out of range
constexpr int kTextTargetFlattening = 73;  // the target 1/f out of range
constexpr int kTextInvalidEllipsoid = 79;  // the semi-axes or 1/f describe no ellipsoid
constexpr int kTextComputed = 80;          // success
constexpr int kTextUtmNotConverted = 81;   // a UTM point the library cannot convert
constexpr int kTextTooManyPoints = 88;     // a list with more than 30,000 points ("#": the line)
constexpr int kTextOutOfMemory = 89;       // a buffer cannot be allocated
constexpr int kTextListFull = 95;          // typing or pasting beyond the list field's limit
constexpr int kTextFileTooLong = 90;       // a point-list file with more than 30,000 lines of data
constexpr int kTextFileTooBig = 98;        // a point-list file with more text than a list field takes

// Questions and default values of the window.
constexpr int kTextResetDefaults = 38;        // question: default values
constexpr int kTextUnnamed = 47;              // the default reference-system name
constexpr int kTextRecomputeLanguage = 67;    // question after a language switch
constexpr int kTextRecomputeConvention = 68;  // question after a convention change

// The result report.
constexpr int kTextHelmertTitle = 15;
constexpr int kTextMolodenskyTitle = 69;
constexpr int kTextTranslationX = 16;  // 17, 18: Y, Z
constexpr int kTextRotationX = 19;     // 20, 21: Y, Z
constexpr int kTextScale = 22;
constexpr int kTextRotationTermX = 58;  // 59, 60: Y, Z (ISO 19111)
constexpr int kTextCoordinateFrame = 23;
constexpr int kTextPositionVector = 56;
constexpr int kTextIso19111 = 57;
constexpr int kTextMolodensky = 70;
constexpr int kTextParametersFirstToSecond = 24;
constexpr int kTextTranslationsFirstToSecond = 71;
constexpr int kTextRotationMatrix = 86;
constexpr int kTextEllipsoidFirst = 74;
constexpr int kTextEllipsoidSecond = 75;
constexpr int kTextEllipsoid = 62;
constexpr int kTextSemiMajor = 76;
constexpr int kTextSemiMinor = 77;
constexpr int kTextInverseFlattening = 78;
constexpr int kTextInputFirst = 82;
constexpr int kTextInputSecond = 83;
constexpr int kTextDmsColumns = 84;
constexpr int kTextUtmColumns = 85;
constexpr int kTextGeographicFirst = 25;
constexpr int kTextGeographicSecond = 26;
constexpr int kTextGeographicColumns = 27;
constexpr int kTextCartesianFirst = 28;
constexpr int kTextCartesianSecond = 29;
constexpr int kTextCartesianColumns = 30;
constexpr int kTextNoResiduals = 31;
constexpr int kTextResiduals = 32;
constexpr int kTextResidualColumns = 33;
constexpr int kTextStatistics = 34;
constexpr int kTextMaximum = 35;
constexpr int kTextAverage = 36;
constexpr int kTextRootMeanSquare = 61;
constexpr int kTextNoOutliers = 37;
constexpr int kTextOutliersUntestable = 96;  // too few point pairs for the outlier test
constexpr int kTextOutliers = 40;
constexpr int kTextOutlierExplanation = 41;
constexpr int kTextOutlierColumns = 42;
constexpr int kTextOutliersFound = 43;    // "#": the count
constexpr int kTextIdenticalPoints = 87;  // "#": the count

}  // namespace calc
