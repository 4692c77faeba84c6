#pragma once

// The paragraph break of the program's messages, as their texts have always
// been stored: most use LF CR LF CR, the identifier checks and a few questions
// CR LF CR LF. Macros, so that they join the literals around them at compile
// time: QStringLiteral("Attenzione: ..." VM_PARAGRAPH "Accertarsi ...").
#define VM_PARAGRAPH "\n\r\n\r"
#define VM_PARAGRAPH_CRLF "\r\n\r\n"
