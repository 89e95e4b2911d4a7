/* Ada 95 compilation-unit grammar. */

%code requires {
#include "analysis/semantic_value.h"
}

%code {
#include "analysis/scanner.h"

static void yyerror(const char*) {}
#define yylex next_token
}

%define api.value.type {SemanticValue}
%define api.token.prefix {TOKEN_}
%expect 0

/* Token numbers are fixed: the scanner returns them and they never change. */
%token END_OF_INPUT 0
%token AMPERSAND             38   /* & */
%token TICK                  39   /* ' */
%token LEFT_PAREN            40   /* ( */
%token RIGHT_PAREN           41   /* ) */
%token STAR                  42   /* * */
%token PLUS                  43   /* + */
%token COMMA                 44   /* , */
%token MINUS                 45   /* - */
%token DOT                   46   /* . */
%token SLASH                 47   /* / */
%token COLON                 58   /* : */
%token SEMICOLON             59   /* ; */
%token LESS                  60   /* < */
%token EQUAL                 61   /* = */
%token GREATER               62   /* > */
%token BAR                  124   /* | */
%token DOUBLE_DOT           257   /* .. */
%token LEFT_LABEL_BRACKET   258   /* << */
%token BOX                  259   /* <> */
%token LESS_EQUAL           260   /* <= */
%token DOUBLE_STAR          261   /* ** */
%token NOT_EQUAL            262   /* /= */
%token RIGHT_LABEL_BRACKET  263   /* >> */
%token GREATER_EQUAL        264   /* >= */
%token ASSIGNMENT           265   /* := */
%token ARROW                266   /* => */
%token ABORT                267
%token ABS                  268
%token ABSTRACT             269
%token ACCEPT               270
%token ACCESS               271
%token ALIASED              272
%token ALL                  273
%token AND                  274
%token ARRAY                275
%token AT                   276
%token BEGIN                277
%token BODY                 278
%token CASE                 279
%token CONSTANT             280
%token DECLARE              281
%token DELAY                282
%token DELTA                283
%token DIGITS               284
%token DO                   285
%token ELSE                 286
%token ELSIF                287
%token END                  288
%token ENTRY                289
%token EXCEPTION            290
%token EXIT                 291
%token FOR                  292
%token FUNCTION             293
%token GENERIC              294
%token GOTO                 295
%token IF                   296
%token IN                   297
%token IS                   298
%token LIMITED              299
%token LOOP                 300
%token MOD                  301
%token NEW                  302
%token NOT                  303
%token NULL                 304
%token OF                   305
%token OR                   306
%token OTHERS               307
%token OUT                  308
%token PACKAGE              309
%token PRAGMA               310
%token PRIVATE              311
%token PROCEDURE            312
%token PROTECTED            313
%token RAISE                314
%token RANGE                315
%token RECORD               316
%token REM                  317
%token RENAMES              318
%token REQUEUE              319
%token RETURN               320
%token REVERSE              321
%token SELECT               322
%token SEPARATE             323
%token SUBTYPE              324
%token TAGGED               325
%token TASK                 326
%token TERMINATE            327
%token THEN                 328
%token TYPE                 329
%token UNTIL                330
%token USE                  331
%token WHEN                 332
%token WHILE                333
%token WITH                 334
%token XOR                  335
%token CHARACTER_LITERAL    336
%token IDENTIFIER           337
%token STRING_LITERAL       338
%token NUMERIC_LITERAL      339

%start compilation

%%

compilation
    : %empty
    ;

%%
