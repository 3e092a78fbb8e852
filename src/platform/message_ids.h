// Every message box and question the program shows, by what it says or asks.
// The id travels with the request, so that whoever answers (velt-batch, a
// test) knows the question without reading its title or text.
#pragma once

namespace velt {

enum class MessageId {
  // --- saved state and settings files ---
  InputPastEndSetDefaults,        // "Input past end of file.  Set default values?"
  InputPastEndSaveToFix,          // "Saving the settings should fix ..."
  LoadWordsFile,                  // "Load file?": load the selected words-to-ignore file?
  SaveStateFailed,                // "Save state": the error of writing the state file
  SaveSettingsFailed,             // "Save settings": the error of writing a settings file
  LoadSettingsFailed,             // "Load settings": the error of reading a settings file
  InvalidComboBoxIndex,           // "Load settings": a list is left without a selection
  SavedSettingsProblem,           // the saved state was not restored: reset to defaults?
  ClearWordsFilesOnReinitialize,  // "Reinitialize": clear all words-to-ignore files?

  // --- the count and its window ---
  ReallyStop,             // "Really stop?"
  StopDuringDocument,     // converting a document takes a while: stop counting?
  ListPhrasesFound,       // "Counting interrupted": list the phrases found?
  ListIncomplete,         // the listed phrases are not all phrases
  NoFilesFound,           // "No files found" in the folder
  PhraseLengthsInverted,  // the maximum phrase length is below the minimum
  ResetMinimumFrequency,  // "Minimum number of occurrences": reset it?
  KeepFilterWords,        // "Filter results?": keep the filter words?
  Relist,                 // "Relist?" so as to write to the output file
  ListingFiles,           // "Listing files to be scanned"
  ScanningFiles,          // "Scanning files"
  HowToCountClipboard,    // "Text on clipboard": click on 'Count ...'
  WordRuleChangeRereads,  // changing a word rule reads the source anew: OK?
  ReallyQuit,             // "Really quit?"

  // --- the source of the text ---
  NoClipboardText,                // there is no text on the clipboard
  TooMuchClipboardText,           // more clipboard text than the maximum permitted
  ClipboardFetchError,            // the clipboard text could not be fetched
  ClipboardNotNaturalText,        // the clipboard text is not natural language words
  InputNotAFile,                  // the input path names something that is not a file
  InvalidInputFileSpecification,  // the input path ends with a slash
  InputFileMissing,               // "Input file does not exist."
  InputFileNotSpecified,          // "Input file not specified." (checked on entry)
  InputFileZeroLength,            // "Input file is zero-length." (checked on entry)
  CountWithoutInputFile,          // "Input file not specified!" (checked before a count)
  CountEmptyInputFile,            // "Input file is zero-length!" (checked before a count)
  OutputIsInput,                  // the output file is the input file
  ZeroLengthFile,                 // the file read is zero-length
  FileCannotBeOpened,             // the file read cannot be opened
  InputFileNotText,               // the file read is not a text file
  LargeInputFile,                 // "Large input file": specify an output file?
  DocFilesNotProcessed,           // .doc files must first be converted to .docx
  InvalidPatternCharacter,        // a file pattern or exclusion text has an invalid character
  InputFolderMissing,             // the folder typed into the folder box does not exist
  FolderNotSpecified,             // "Folder not specified."
  FolderMissing,                  // "Folder does not exist" (checked before a count)
  FolderEmpty,                    // "Folder contains no files."
  OutputFileInFolder,             // the output file is in the folder (checked before a count)
  ChosenOutputFileInFolder,       // the output file chosen is in the folder
  PathsTooLong,                   // folders or files whose paths are too long
  MultipleFilesNeedOutputFile,    // several files or folders need an output file

  // --- DOCX documents ---
  DocxTooBig,                 // "File too big" to be scanned directly
  NoTemporaryFolder,          // "Unable to create temporary folder."
  DocxChecksum,               // invalid checksum: scan this file anyway?
  BigDocument,                // "Big file": it may take a while, continue?
  BigDocumentAdvice,          // "Big file": save it as a text file instead
  DocxConversionError,        // the document's text could not be converted
  DeleteExtractedXmlFailed,   // the extracted document XML could not be deleted
  DeleteExtractFolderFailed,  // the extraction's folder could not be deleted

  // --- words to ignore ---
  UseCommonWords,          // no words-to-ignore file: ignore the common English words?
  CommonWordsFileMissing,  // a common-words file is not in the data folder
  LoadCommonWordsFile,     // "Load common words file for ...?"
  WordsFileListFull,       // "No more files may be added to this list."
  RemoveAllWordsFiles,     // "Do you wish to remove ALL files from this list?"
  WordsFileMissing,        // "File for words-to-ignore not found."
  WordsFileAlreadyListed,  // the file is already in the list
  InvalidWordsFile,        // the words-to-ignore path is not a file
  WordsFileNotText,        // the words-to-ignore file is not a text file
  WordsFileFatalError,     // the words-to-ignore file could not be classified
  WordsFileReadError,      // reading the words-to-ignore file failed
  CharacterNotAllowed,     // a character not allowed in the extra-words box

  // --- reports ---
  TextWindowFull,              // the report does not fit the text window
  RunTimeError,                // "At <label> error #<number>."
  OutputFilePermissionDenied,  // the output file may be in use elsewhere
  OutputFolderMissing,         // the output file's folder does not exist
  DisplayFormatUnavailable,    // a per-file display format needs the folder source
};

}  // namespace velt
