/* Ada 95 compilation-unit grammar, with the actions that turn the parse of
   one source file into its unit list. Productions are numbered in comments;
   the numbers are bison's own rule numbers (rule 0 is the start rule). It is
   also the base of the later revisions' grammar: see ada2022_overlay.y. */

%code requires {
#include "analysis/semantic_value.h"
}

%code {
#include "analysis/ac_tree.h"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"
#include "analysis/scanner.h"
#include "analysis/syntax_error.h"
#include "driver/ac_mem.h"

/* The state and value stacks hold 400 entries and never grow. Bison counts
   its stack as exhausted once the last entry is filled, so it is given one
   more. Exhaustion comes to yyerror like a syntax error and is reported as
   one. */
#define YYINITDEPTH 401
#define YYMAXDEPTH YYINITDEPTH
/* Never called with stacks that cannot grow; named so that no allocation
   can bypass the guarded allocator. */
#define YYMALLOC ac_alloc
#define YYFREE ac_free

/* There is no error recovery: the first error ends the run. */
static void yyerror(const char*) { report_syntax_error(); }

/* The next token with its position, and its text for identifiers and
   literals, kept in the parse's string store. */
static int yylex() { return next_parser_token_stored_text(yylval); }

/* The scanner returns the numbers of analysis/ada_tokens.def. */
#define ADA_DELIMITER(NAME, number, spelling, since) static_assert(TOKEN_##NAME == (number), #NAME);
#define ADA_WORD(spelling, NAME, number, since) static_assert(TOKEN_##NAME == (number), #NAME);
#define ADA_OTHER(NAME, number) static_assert(TOKEN_##NAME == (number), #NAME);
#include "analysis/ada_tokens.def"
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
/* Tokens of later revisions, which this grammar never receives; the later
   revisions' grammar (ada2022_overlay.y laid over this one) reads them. */
%token AT_SIGN               64   /* @ */
%token LEFT_BRACKET          91   /* [ */
%token RIGHT_BRACKET         93   /* ] */
%token INTERFACE            340
%token OVERRIDING           341
%token SYNCHRONIZED         342
%token SOME                 343
%token PARALLEL             344

%start compilation

%%

/* 1-8: pragmas. */

/* A pragma's value is its final semicolon, with the pragma's name as text,
   and a pragma list's the final semicolon of its last pragma (none: line 0):
   a unit ends there when pragmas follow it, unless a configuration pragma,
   named so, opens the next compilation unit. */
pragma
    : PRAGMA direct_name SEMICOLON                               /* 1 */
        { $$ = $3; $$.text = $2.text; }
    | PRAGMA direct_name LEFT_PAREN pragma_argument_list RIGHT_PAREN SEMICOLON /* 2 */
        { $$ = $6; $$.text = $2.text; }
    ;

pragma_argument_list
    : pragma_argument                                            /* 3 */
    | pragma_argument_list COMMA pragma_argument                 /* 4 */
    ;

pragma_argument
    : expression                                                 /* 5 */
    | direct_name ARROW expression                               /* 6 */
    ;

pragma_list
    : %empty                                                     /* 7 */
        { $$ = SemanticValue{}; }
    | pragma_list pragma                                         /* 8 */
        { $$ = $2; }
    ;

/* 9-140: basic declarations, objects, types and their definitions. */

basic_declaration
    : object_declaration                                         /* 9 */
    | type_declaration                                           /* 10 */
    | subtype_declaration                                        /* 11 */
    | subprogram_declaration                                     /* 12 */
    | package_declaration                                        /* 13 */
    | task_declaration                                           /* 14 */
    | protected_declaration                                      /* 15 */
    | exception_declaration                                      /* 16 */
    | generic_declaration                                        /* 17 */
    | renaming_declaration                                       /* 18 */
    | body_stub                                                  /* 19 */
    | number_declaration                                         /* 20 */
    ;

object_declaration
    : defining_identifier_list COLON object_qualifier_opt object_subtype_definition initialization_opt SEMICOLON /* 21 */
    ;

defining_identifier_list
    : defining_identifier                                        /* 22 */
    | defining_identifier_list COMMA defining_identifier         /* 23 */
    ;

defining_identifier
    : IDENTIFIER                                                 /* 24 */
    ;

object_qualifier_opt
    : %empty                                                     /* 25 */
    | ALIASED                                                    /* 26 */
    | CONSTANT                                                   /* 27 */
    | ALIASED CONSTANT                                           /* 28 */
    ;

object_subtype_definition
    : subtype_indication                                         /* 29 */
    | array_type_definition                                      /* 30 */
    ;

initialization_opt
    : %empty                                                     /* 31 */
    | ASSIGNMENT expression                                      /* 32 */
    ;

number_declaration
    : defining_identifier_list COLON CONSTANT ASSIGNMENT expression SEMICOLON /* 33 */
    ;

type_declaration
    : TYPE defining_identifier discriminant_part_opt type_definition_opt SEMICOLON /* 34 */
    ;

discriminant_part_opt
    : %empty                                                     /* 35 */
    | known_discriminant_part                                    /* 36 */
    | LEFT_PAREN BOX RIGHT_PAREN                                 /* 37 */
    ;

type_definition_opt
    : %empty                                                     /* 38 */
    | IS type_definition                                         /* 39 */
    ;

type_definition
    : enumeration_type_definition                                /* 40 */
    | integer_type_definition                                    /* 41 */
    | real_type_definition                                       /* 42 */
    | array_type_definition                                      /* 43 */
    | record_type_definition                                     /* 44 */
    | access_type_definition                                     /* 45 */
    | derived_type_definition                                    /* 46 */
    | private_type_definition                                    /* 47 */
    ;

subtype_declaration
    : SUBTYPE defining_identifier IS subtype_indication SEMICOLON /* 48 */
    ;

subtype_indication
    : name constraint                                            /* 49 */
    | name                                                       /* 50 */
    | name LEFT_PAREN RIGHT_PAREN                                /* 51 */
    ;

constraint
    : range_constraint                                           /* 52 */
    | digits_constraint                                          /* 53 */
    | fixed_point_definition                                     /* 54 */
    ;

digits_constraint
    : DIGITS expression range_constraint_opt                     /* 55 */
    ;

derived_type_definition
    : NEW subtype_indication                                     /* 56 */
    | NEW subtype_indication WITH PRIVATE                        /* 57 */
    | NEW subtype_indication WITH record_definition              /* 58 */
    | ABSTRACT NEW subtype_indication WITH PRIVATE               /* 59 */
    | ABSTRACT NEW subtype_indication WITH record_definition     /* 60 */
    ;

range_constraint
    : RANGE range                                                /* 61 */
    ;

range
    : simple_expression DOUBLE_DOT simple_expression             /* 62 */
    | name TICK RANGE                                            /* 63 */
    | name TICK RANGE LEFT_PAREN expression RIGHT_PAREN          /* 64 */
    ;

enumeration_type_definition
    : LEFT_PAREN enumeration_literal_list RIGHT_PAREN            /* 65 */
    ;

enumeration_literal_list
    : enumeration_literal_specification                          /* 66 */
    | enumeration_literal_list COMMA enumeration_literal_specification /* 67 */
    ;

enumeration_literal_specification
    : defining_identifier                                        /* 68 */
    | CHARACTER_LITERAL                                          /* 69 */
    ;

integer_type_definition
    : signed_integer_type_definition                             /* 70 */
    | MOD expression                                             /* 71 */
    ;

signed_integer_type_definition
    : range_constraint                                           /* 72 */
    ;

real_range_specification_opt
    : %empty                                                     /* 73 */
    | signed_integer_type_definition                             /* 74 */
    ;

real_type_definition
    : floating_point_definition                                  /* 75 */
    | fixed_point_definition                                     /* 76 */
    ;

floating_point_definition
    : DIGITS expression real_range_specification_opt             /* 77 */
    ;

fixed_point_definition
    : DELTA expression real_range_specification_opt              /* 78 */
    | DELTA expression DIGITS expression real_range_specification_opt /* 79 */
    ;

array_type_definition
    : unconstrained_array_definition                             /* 80 */
    | constrained_array_definition                               /* 81 */
    ;

unconstrained_array_definition
    : ARRAY LEFT_PAREN index_subtype_definition_list RIGHT_PAREN OF component_definition /* 82 */
    ;

constrained_array_definition
    : ARRAY index_constraint OF component_definition             /* 83 */
    ;

component_definition
    : aliased_opt subtype_indication                             /* 84 */
    ;

aliased_opt
    : %empty                                                     /* 85 */
    | ALIASED                                                    /* 86 */
    ;

index_subtype_definition_list
    : index_subtype_definition                                   /* 87 */
    | index_subtype_definition_list COMMA index_subtype_definition /* 88 */
    ;

index_subtype_definition
    : name RANGE BOX                                             /* 89 */
    ;

index_constraint
    : LEFT_PAREN discrete_range_list RIGHT_PAREN                 /* 90 */
    ;

discrete_range_list
    : discrete_range                                             /* 91 */
    | discrete_range_list COMMA discrete_range                   /* 92 */
    ;

discrete_range
    : range                                                      /* 93 */
    | name range_constraint_opt                                  /* 94 */
    ;

range_constraint_opt
    : %empty                                                     /* 95 */
    | range_constraint                                           /* 96 */
    ;

record_type_definition
    : tagged_opt limited_opt record_definition                   /* 97 */
    ;

end_record
    : END RECORD                                                 /* 98 */
    ;

record_definition
    : RECORD pragma_list component_list end_record               /* 99 */
    | NULL RECORD                                                /* 100 */
    ;

tagged_opt
    : %empty                                                     /* 101 */
    | TAGGED                                                     /* 102 */
    | ABSTRACT TAGGED                                            /* 103 */
    ;

component_list
    : component_declaration_list variant_part_opt                /* 104 */
    | variant_part pragma_list                                   /* 105 */
    | NULL SEMICOLON pragma_list                                 /* 106 */
    ;

component_declaration_list
    : component_declaration                                      /* 107 */
    | component_declaration_list pragma_list component_declaration /* 108 */
    ;

variant_part_opt
    : pragma_list                                                /* 109 */
    | pragma_list variant_part pragma_list                       /* 110 */
    ;

component_declaration
    : defining_identifier_list COLON component_definition initialization_opt SEMICOLON /* 111 */
    ;

known_discriminant_part
    : LEFT_PAREN discriminant_specification_list RIGHT_PAREN     /* 112 */
    ;

discriminant_specification_list
    : discriminant_specification                                 /* 113 */
    | discriminant_specification_list SEMICOLON discriminant_specification /* 114 */
    ;

discriminant_specification
    : defining_identifier_list COLON access_opt mark initialization_opt /* 115 */
    ;

access_opt
    : %empty                                                     /* 116 */
    | access_prefix                                              /* 117 */
    ;

access_prefix
    : ACCESS                                                     /* 118 */
    | NOT NULL ACCESS                                            /* 119 */
    ;

discriminant_direct_name
    : direct_name                                                /* 120 */
    | LEFT_PAREN direct_name RIGHT_PAREN                         /* 121 */
    ;

variant_part
    : CASE discriminant_direct_name IS pragma_list variant_list END CASE SEMICOLON /* 122 */
    ;

variant_list
    : variant                                                    /* 123 */
    | variant_list variant                                       /* 124 */
    ;

variant
    : WHEN discrete_choice_list ARROW pragma_list component_list /* 125 */
    ;

discrete_choice_list
    : discrete_choice                                            /* 126 */
    | discrete_choice_list BAR discrete_choice                   /* 127 */
    ;

discrete_choice
    : expression                                                 /* 128 */
    | ranged_choice                                              /* 129 */
    | OTHERS                                                     /* 130 */
    ;

ranged_choice
    : name range_constraint                                      /* 131 */
    | range                                                      /* 132 */
    ;

access_type_definition
    : access_prefix subtype_indication                           /* 133 */
    | access_prefix CONSTANT subtype_indication                  /* 134 */
    | access_prefix ALL subtype_indication                       /* 135 */
    | access_prefix access_to_subprogram_definition              /* 136 */
    ;

access_to_subprogram_definition
    : protected_opt PROCEDURE formal_part_opt                    /* 137 */
    | protected_opt FUNCTION formal_part_opt RETURN mark         /* 138 */
    ;

protected_opt
    : %empty                                                     /* 139 */
    | PROTECTED                                                  /* 140 */
    ;

/* 141-158: declarative parts. */

declarative_part
    : %empty                                                     /* 141 */
    | declarative_item_list                                      /* 142 */
    ;

basic_declarative_part
    : %empty                                                     /* 143 */
    | basic_declarative_item_list                                /* 144 */
    ;

basic_declarative_item_list
    : basic_declarative_item                                     /* 145 */
    | basic_declarative_item_list basic_declarative_item         /* 146 */
    ;

basic_declarative_item
    : basic_declaration                                          /* 147 */
    | representation_clause                                      /* 148 */
    | use_clause                                                 /* 149 */
    | pragma                                                     /* 150 */
    ;

declarative_item_list
    : declarative_item                                           /* 151 */
    | declarative_item_list declarative_item                     /* 152 */
    ;

declarative_item
    : proper_body                                                /* 153 */
    | basic_declarative_item                                     /* 154 */
    ;

proper_body
    : subprogram_body                                            /* 155 */
    | package_body                                               /* 156 */
    | task_body                                                  /* 157 */
    | protected_body                                             /* 158 */
    ;

/* 159-186: names. */

/* Indexed and selected components and attribute references are spelled
   out here rather than named, so that each reduces to name directly. */
name
    : IDENTIFIER                                                 /* 159 */
    | operator_symbol                                            /* 160 */
    | name LEFT_PAREN association_list RIGHT_PAREN               /* 161 */
    | name DOT direct_name                                       /* 162 */
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT character_literal                                 /* 163 */
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT operator_symbol                                   /* 164 */
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT ALL                                               /* 165 */
        { $$.text = parse_string_concat($1.text, ".", "all"); }
    | name TICK attribute_designator                             /* 166 */
        { $$.text = parse_string_concat($1.text, "'", $3.text); }
    | character_literal                                          /* 167 */
    ;

mark
    : direct_name                                                /* 168 */
    | mark TICK attribute_designator                             /* 169 */
    | mark DOT direct_name                                       /* 170 */
    ;

direct_name
    : IDENTIFIER                                                 /* 171 */
    ;

compound_name
    : direct_name                                                /* 172 */
    | compound_name DOT direct_name                              /* 173 */
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    ;

compound_name_list
    : compound_name                                              /* 174 */
        { $$.names = with_names_start($1.text); }
    | compound_name_list COMMA compound_name                     /* 175 */
        { $$.names = with_names_prepend($3.text, $1.names); }
    ;

character_literal
    : CHARACTER_LITERAL                                          /* 176 */
    ;

operator_symbol
    : STRING_LITERAL                                             /* 177 */
    ;

association_list
    : association                                                /* 178 */
    | association_list COMMA association                         /* 179 */
    ;

association
    : expression                                                 /* 180 */
    | named_association                                          /* 181 */
    | ranged_choice                                              /* 182 */
    ;

attribute_designator
    : IDENTIFIER                                                 /* 183 */
    | DIGITS                                                     /* 184 */
        { $$.text = parse_string_copy("digits"); }
    | DELTA                                                      /* 185 */
        { $$.text = parse_string_copy("delta"); }
    | ACCESS                                                     /* 186 */
        { $$.text = parse_string_copy("access"); }
    ;

/* 187-251: literals, aggregates and expressions. */

aggregate
    : LEFT_PAREN named_association RIGHT_PAREN                   /* 187 */
    | LEFT_PAREN component_association_list RIGHT_PAREN          /* 188 */
    | LEFT_PAREN expression WITH association_list RIGHT_PAREN    /* 189 */
    | LEFT_PAREN expression WITH NULL RECORD RIGHT_PAREN         /* 190 */
    | LEFT_PAREN NULL RECORD RIGHT_PAREN                         /* 191 */
    ;

component_association_list
    : association COMMA association                              /* 192 */
    | component_association_list COMMA association               /* 193 */
    ;

named_association
    : discrete_choice_list ARROW expression                      /* 194 */
    ;

/* Each level of an expression lists the forms of the levels below it
   itself, rather than through a chain of one-symbol productions (relation:
   simple_expression, simple_expression: term, ...), and each operation
   spells its operator: an operand then reaches the level it stands at in
   one reduction, not five. Each *_operation is the form of its level that
   has an operator of that level. */
expression
    : primary                                                    /* 195 */
    | factor_operation                                           /* 196 */
    | term_operation                                             /* 197 */
    | simple_expression_operation                                /* 198 */
    | relation_operation                                         /* 199 */
    | expression AND relation                                    /* 200 */
    | expression OR relation                                     /* 201 */
    | expression XOR relation                                    /* 202 */
    | expression AND THEN relation                               /* 203 */
    | expression OR ELSE relation                                /* 204 */
    ;

relation
    : primary                                                    /* 205 */
    | factor_operation                                           /* 206 */
    | term_operation                                             /* 207 */
    | simple_expression_operation                                /* 208 */
    | relation_operation                                         /* 209 */
    ;

relation_operation
    : simple_expression EQUAL simple_expression                  /* 210 */
    | simple_expression NOT_EQUAL simple_expression              /* 211 */
    | simple_expression LESS simple_expression                   /* 212 */
    | simple_expression LESS_EQUAL simple_expression             /* 213 */
    | simple_expression GREATER simple_expression                /* 214 */
    | simple_expression GREATER_EQUAL simple_expression          /* 215 */
    | simple_expression IN range                                 /* 216 */
    | simple_expression IN name                                  /* 217 */
    | simple_expression NOT IN range                             /* 218 */
    | simple_expression NOT IN name                              /* 219 */
    ;

simple_expression
    : primary                                                    /* 220 */
    | factor_operation                                           /* 221 */
    | term_operation                                             /* 222 */
    | simple_expression_operation                                /* 223 */
    ;

simple_expression_operation
    : PLUS term                                                  /* 224 */
    | MINUS term                                                 /* 225 */
    | simple_expression PLUS term                                /* 226 */
    | simple_expression MINUS term                               /* 227 */
    | simple_expression AMPERSAND term                           /* 228 */
    ;

term
    : primary                                                    /* 229 */
    | factor_operation                                           /* 230 */
    | term_operation                                             /* 231 */
    ;

term_operation
    : term STAR factor                                           /* 232 */
    | term SLASH factor                                          /* 233 */
    | term MOD factor                                            /* 234 */
    | term REM factor                                            /* 235 */
    ;

factor
    : primary                                                    /* 236 */
    | factor_operation                                           /* 237 */
    ;

factor_operation
    : NOT primary                                                /* 238 */
    | ABS primary                                                /* 239 */
    | primary DOUBLE_STAR primary                                /* 240 */
    ;

primary
    : NUMERIC_LITERAL                                            /* 241 */
    | NULL                                                       /* 242 */
    | name                                                       /* 243 */
    | allocator                                                  /* 244 */
    | qualified_expression                                       /* 245 */
    | parenthesized_primary                                      /* 246 */
    ;

parenthesized_primary
    : aggregate                                                  /* 247 */
    | LEFT_PAREN expression RIGHT_PAREN                          /* 248 */
    ;

qualified_expression
    : name TICK parenthesized_primary                            /* 249 */
    ;

allocator
    : NEW name                                                   /* 250 */
    | NEW qualified_expression                                   /* 251 */
    ;

/* 252-315: statements. */

sequence_of_statements
    : statement                                                  /* 252 */
    | sequence_of_statements statement                           /* 253 */
    ;

/* A statement lists the simple and compound statements itself, so that
   each reaches statement in one reduction. */
statement
    : label statement                                            /* 254 */
    | pragma                                                     /* 255 */
    | null_statement                                             /* 256 */
    | assignment_statement                                       /* 257 */
    | exit_statement                                             /* 258 */
    | return_statement                                           /* 259 */
    | goto_statement                                             /* 260 */
    | delay_statement                                            /* 261 */
    | abort_statement                                            /* 262 */
    | raise_statement                                            /* 263 */
    | code_statement                                             /* 264 */
    | requeue_statement                                          /* 265 */
    | procedure_call_statement                                   /* 266 */
    | if_statement                                               /* 267 */
    | case_statement                                             /* 268 */
    | loop_statement                                             /* 269 */
    | block_statement                                            /* 270 */
    | accept_statement                                           /* 271 */
    | select_statement                                           /* 272 */
    ;

label
    : LEFT_LABEL_BRACKET defining_identifier RIGHT_LABEL_BRACKET /* 273 */
    ;

null_statement
    : NULL SEMICOLON                                             /* 274 */
    ;

assignment_statement
    : name ASSIGNMENT expression SEMICOLON                       /* 275 */
    ;

if_statement
    : IF cond_clause_list else_opt END IF SEMICOLON              /* 276 */
    ;

cond_clause_list
    : cond_clause                                                /* 277 */
    | cond_clause_list ELSIF cond_clause                         /* 278 */
    ;

cond_clause
    : condition_then sequence_of_statements                      /* 279 */
    ;

condition_then
    : condition THEN                                             /* 280 */
    ;

condition
    : expression                                                 /* 281 */
    ;

else_opt
    : %empty                                                     /* 282 */
    | ELSE sequence_of_statements                                /* 283 */
    ;

case_statement
    : case_head pragma_list case_statement_alternative_list END CASE SEMICOLON /* 284 */
    ;

case_head
    : CASE expression IS                                         /* 285 */
    ;

case_statement_alternative_list
    : %empty                                                     /* 286 */
    | case_statement_alternative_list case_statement_alternative /* 287 */
    ;

case_statement_alternative
    : WHEN discrete_choice_list ARROW sequence_of_statements     /* 288 */
    ;

loop_statement
    : statement_identifier_opt iteration_scheme_opt basic_loop designator_opt SEMICOLON /* 289 */
    ;

statement_identifier_opt
    : %empty                                                     /* 290 */
    | defining_identifier COLON                                  /* 291 */
    ;

iteration_scheme_opt
    : %empty                                                     /* 292 */
    | WHILE condition                                            /* 293 */
    | iterator_head reverse_opt discrete_range                   /* 294 */
    ;

iterator_head
    : FOR defining_identifier IN                                 /* 295 */
    ;

reverse_opt
    : %empty                                                     /* 296 */
    | REVERSE                                                    /* 297 */
    ;

basic_loop
    : LOOP sequence_of_statements END LOOP                       /* 298 */
    ;

designator_opt
    : %empty                                                     /* 299 */
    | designator                                                 /* 300 */
    ;

block_statement
    : statement_identifier_opt block_declare_opt block_body END designator_opt SEMICOLON /* 301 */
    ;

block_declare_opt
    : %empty                                                     /* 302 */
    | DECLARE declarative_part                                   /* 303 */
    ;

block_body
    : BEGIN handled_sequence_of_statements                       /* 304 */
    ;

handled_sequence_of_statements
    : sequence_of_statements exception_handler_part_opt          /* 305 */
    ;

exception_handler_part_opt
    : %empty                                                     /* 306 */
    | exception_handler_part                                     /* 307 */
    ;

exit_statement
    : EXIT name_opt when_condition_opt SEMICOLON                 /* 308 */
    ;

name_opt
    : %empty                                                     /* 309 */
    | name                                                       /* 310 */
    ;

when_condition_opt
    : %empty                                                     /* 311 */
    | WHEN condition                                             /* 312 */
    ;

return_statement
    : RETURN SEMICOLON                                           /* 313 */
    | RETURN expression SEMICOLON                                /* 314 */
    ;

goto_statement
    : GOTO name SEMICOLON                                        /* 315 */
    ;

/* 316-339: subprograms. */

subprogram_declaration
    : subprogram_specification SEMICOLON                         /* 316 */
        { library_unit_close(SPEC, top_properties() | IS_DECLARATION, $2); }
    | subprogram_instantiation SEMICOLON                         /* 317 */
        { unit_end(units_last(), $2); }
    | subprogram_specification_is ABSTRACT SEMICOLON             /* 318 */
        { library_unit_close(BODY, top_properties() | IS_ABSTRACT, $3); }
    ;

subprogram_specification
    : PROCEDURE compound_name formal_part_opt                    /* 319 */
        { unit_enter($2.text, IS_PROCEDURE); }
    | FUNCTION designator formal_part_opt RETURN name            /* 320 */
        { unit_enter($2.text, IS_FUNCTION); }
    | FUNCTION designator                                        /* 321 */
        { unit_enter($2.text, IS_FUNCTION); }
    ;

designator
    : compound_name                                              /* 322 */
    | operator_symbol                                            /* 323 */
    ;

formal_part_opt
    : %empty                                                     /* 324 */
    | formal_part                                                /* 325 */
    ;

formal_part
    : LEFT_PAREN parameter_specification_list RIGHT_PAREN        /* 326 */
    ;

parameter_specification_list
    : parameter_specification                                    /* 327 */
    | parameter_specification_list SEMICOLON parameter_specification /* 328 */
    ;

parameter_specification
    : defining_identifier_list COLON mode parameter_subtype initialization_opt /* 329 */
    ;

parameter_subtype
    : mark                                                       /* 330 */
    | access_to_subprogram_definition                            /* 331 */
    ;

mode
    : %empty                                                     /* 332 */
    | IN                                                         /* 333 */
    | OUT                                                        /* 334 */
    | IN OUT                                                     /* 335 */
    | access_prefix                                              /* 336 */
    ;

subprogram_specification_is
    : subprogram_specification IS                                /* 337 */
    ;

subprogram_body
    : subprogram_specification IS declarative_part block_body END designator_opt SEMICOLON /* 338 */
        { library_unit_close(PROC, top_properties() | IS_BODY, $7); }
    ;

procedure_call_statement
    : name SEMICOLON                                             /* 339 */
    ;

/* 340-367: packages, private types, use clauses and renamings. */

/* A specification or instantiation is created before its final semicolon is
   read; the semicolon ends the unit created last. After a nested one that is
   an earlier unit whose end is set, or none, and nothing changes. */
package_declaration
    : package_specification SEMICOLON                            /* 340 */
        { unit_end(units_last(), $2); }
    | package_instantiation SEMICOLON                            /* 341 */
        { unit_end(units_last(), $2); }
    ;

/* The start markers follow "... name IS": $-1 is the construct's name. */
package_spec_start
    : %empty                                                     /* 342 */
        { unit_enter($-1.text, 0); }
    ;

package_spec_end
    : %empty                                                     /* 343 */
        { package_specification_close(); }
    ;

package_specification
    : PACKAGE compound_name IS package_spec_start basic_declarative_part private_part_opt END package_spec_end compound_name_opt /* 344 */
    ;

private_part_opt
    : %empty                                                     /* 345 */
    | PRIVATE basic_declarative_part                             /* 346 */
    ;

compound_name_opt
    : %empty                                                     /* 347 */
    | compound_name                                              /* 348 */
    ;

package_body_start
    : %empty                                                     /* 349 */
        { unit_enter($-1.text, 0); }
    ;

package_body
    : PACKAGE BODY compound_name IS package_body_start declarative_part block_body_opt END compound_name_opt SEMICOLON /* 350 */
        { library_unit_close(BODY, IS_BODY | IS_PACKAGE, $10); }
    ;

block_body_opt
    : %empty                                                     /* 351 */
    | block_body                                                 /* 352 */
    ;

private_type_definition
    : tagged_opt limited_opt PRIVATE                             /* 353 */
    ;

limited_opt
    : %empty                                                     /* 354 */
    | LIMITED                                                    /* 355 */
    ;

use_clause
    : USE name_list SEMICOLON                                    /* 356 */
    | USE TYPE name_list SEMICOLON                               /* 357 */
    ;

name_list
    : name                                                       /* 358 */
    | name_list COMMA name                                       /* 359 */
    ;

renaming_declaration
    : defining_identifier_list COLON object_qualifier_opt subtype_indication renames_part SEMICOLON /* 360 */
    | defining_identifier_list COLON EXCEPTION renames_part SEMICOLON /* 361 */
    | unit_renaming_declaration                                  /* 362 */
    ;

unit_renaming_declaration
    : PACKAGE compound_name renames_part SEMICOLON               /* 363 */
        { library_renaming($2.text, IS_DECLARATION | IS_RENAMING | IS_PACKAGE, $3.text, $4); }
    | subprogram_specification renames_part SEMICOLON            /* 364 */
        { library_renaming(nullptr, top_properties() | IS_DECLARATION | IS_RENAMING, $2.text, $3); }
    | generic_formal_part PACKAGE compound_name renames_part SEMICOLON /* 365 */
        { library_renaming($3.text, IS_GENERIC | IS_RENAMING | IS_PACKAGE, $4.text, $5); }
    | generic_formal_part subprogram_specification renames_part SEMICOLON /* 366 */
        { library_renaming(nullptr, top_properties() | IS_GENERIC | IS_DECLARATION | IS_RENAMING, $3.text, $4); }
    ;

renames_part
    : RENAMES name                                               /* 367 */
        { $$.text = $2.text; }
    ;

/* 368-438: tasks, protected units, entries, accept and select statements. */

task_declaration
    : task_specification SEMICOLON                               /* 368 */
        { unit_leave(); }
    ;

task_specification
    : TASK direct_name task_definition_opt                       /* 369 */
        { unit_enter($2.text, IS_DECLARATION | IS_TASK); }
    | TASK TYPE direct_name discriminant_part_opt task_definition_opt /* 370 */
        {
          unit_enter($3.text, IS_DECLARATION | IS_TYPE | IS_TASK);
        }
    ;

task_definition_opt
    : %empty                                                     /* 371 */
    | IS entry_declaration_list representation_clause_list task_private_part_opt END designator_opt /* 372 */
    ;

task_private_part_opt
    : %empty                                                     /* 373 */
    | PRIVATE entry_declaration_list representation_clause_list  /* 374 */
    ;

task_body_start
    : %empty                                                     /* 375 */
        { unit_enter($-1.text, IS_BODY | IS_TASK); }
    ;

task_body
    : TASK BODY direct_name IS task_body_start declarative_part block_body END designator_opt SEMICOLON /* 376 */
        { library_unit_close(BODY, IS_BODY | IS_TASK, $10); }
    ;

protected_declaration
    : protected_specification SEMICOLON                          /* 377 */
    ;

protected_specification
    : PROTECTED defining_identifier protected_definition         /* 378 */
    | PROTECTED TYPE direct_name discriminant_part_opt protected_definition /* 379 */
    ;

protected_definition_start
    : %empty                                                     /* 380 */
        { protected_definition_enter(); }
    ;

protected_definition
    : IS protected_definition_start protected_operation_declaration_list protected_private_part_opt END designator_opt /* 381 */
        { protected_definition_leave(); }
    ;

protected_private_part_opt
    : %empty                                                     /* 382 */
    | PRIVATE protected_element_declaration_list                 /* 383 */
    ;

protected_operation_declaration_list
    : %empty                                                     /* 384 */
    | protected_operation_declaration_list protected_operation_declaration /* 385 */
    ;

protected_operation_declaration
    : entry_declaration                                          /* 386 */
    | subprogram_specification SEMICOLON                         /* 387 */
        { unit_leave(); }
    | representation_clause                                      /* 388 */
    | pragma                                                     /* 389 */
    ;

protected_element_declaration_list
    : %empty                                                     /* 390 */
    | protected_element_declaration_list protected_element_declaration /* 391 */
    ;

protected_element_declaration
    : protected_operation_declaration                            /* 392 */
    | component_declaration                                      /* 393 */
    ;

protected_body_start
    : %empty                                                     /* 394 */
        { unit_enter($-1.text, IS_PROTECTED); }
    ;

protected_body
    : PROTECTED BODY direct_name IS protected_body_start protected_operation_item_list END designator_opt SEMICOLON /* 395 */
        { library_unit_close(BODY, IS_BODY | IS_PROTECTED, $9); }
    ;

protected_operation_item_list
    : pragma_list                                                /* 396 */
    | protected_operation_item_list protected_operation_item pragma_list /* 397 */
    ;

protected_operation_item
    : entry_body                                                 /* 398 */
    | subprogram_body                                            /* 399 */
    | subprogram_specification SEMICOLON                         /* 400 */
        { unit_leave(); }
    ;

entry_declaration_list
    : pragma_list                                                /* 401 */
    | entry_declaration_list entry_declaration pragma_list       /* 402 */
    ;

entry_declaration
    : ENTRY defining_identifier formal_part_opt SEMICOLON        /* 403 */
    | ENTRY defining_identifier LEFT_PAREN discrete_range RIGHT_PAREN formal_part_opt SEMICOLON /* 404 */
    ;

entry_body
    : ENTRY defining_identifier formal_part_opt WHEN condition entry_body_part /* 405 */
    | ENTRY defining_identifier LEFT_PAREN iterator_head discrete_range RIGHT_PAREN formal_part_opt WHEN condition entry_body_part /* 406 */
    ;

entry_body_part
    : SEMICOLON                                                  /* 407 */
    | IS declarative_part block_body END designator_opt SEMICOLON /* 408 */
    ;

/* Entries may follow a representation clause, as Ada 83 interrupt entries
   do (entry A; for A'Address use ...; entry B;). */
representation_clause_list
    : %empty                                                     /* 409 */
    | representation_clause_list representation_clause entry_declaration_list /* 410 */
    ;

entry_call_statement
    : procedure_call_statement                                   /* 411 */
    ;

accept_statement
    : accept_head SEMICOLON                                      /* 412 */
    | accept_head DO handled_sequence_of_statements END designator_opt SEMICOLON /* 413 */
    ;

accept_head
    : ACCEPT entry_name formal_part_opt                          /* 414 */
    ;

entry_name
    : direct_name                                                /* 415 */
    | entry_name LEFT_PAREN expression RIGHT_PAREN               /* 416 */
    ;

delay_statement
    : DELAY expression SEMICOLON                                 /* 417 */
    | DELAY UNTIL expression SEMICOLON                           /* 418 */
    ;

select_statement
    : selective_accept                                           /* 419 */
    | conditional_entry_call                                     /* 420 */
    | timed_entry_call                                           /* 421 */
    | asynchronous_select                                        /* 422 */
    ;

selective_accept
    : SELECT guarded_select_alternative or_select_alternative_list else_opt END SELECT SEMICOLON /* 423 */
    ;

/* 2.8: pragmas before an alternative, after a guard's arrow; a guard
   itself takes none before it. */
guarded_select_alternative
    : pragma_list select_alternative                             /* 424 */
    | WHEN condition ARROW pragma_list select_alternative        /* 425 */
    ;

or_select_alternative_list
    : %empty                                                     /* 426 */
    | or_select_alternative_list OR guarded_select_alternative   /* 427 */
    ;

select_alternative
    : accept_statement sequence_of_statements_opt                /* 428 */
    | delay_statement sequence_of_statements_opt                 /* 429 */
    | TERMINATE SEMICOLON pragma_list                            /* 430 */
    ;

triggering_alternative
    : delay_statement sequence_of_statements_opt                 /* 431 */
    | entry_call_statement sequence_of_statements_opt            /* 432 */
    ;

asynchronous_select
    : SELECT pragma_list triggering_alternative THEN ABORT sequence_of_statements END SELECT SEMICOLON /* 433 */
    ;

timed_entry_call
    : SELECT pragma_list entry_call_statement sequence_of_statements_opt OR pragma_list delay_statement sequence_of_statements_opt END SELECT SEMICOLON /* 434 */
    ;

conditional_entry_call
    : SELECT pragma_list entry_call_statement sequence_of_statements_opt ELSE sequence_of_statements END SELECT SEMICOLON /* 435 */
    ;

sequence_of_statements_opt
    : %empty                                                     /* 436 */
    | sequence_of_statements                                     /* 437 */
    ;

abort_statement
    : ABORT name_list SEMICOLON                                  /* 438 */
    ;

/* 439-469: the compilation and its units, subunits and body stubs. */

compilation
    : compilation_unit_list                                      /* 439 */
    ;

compilation_unit_list
    : %empty                                                     /* 440 */
    | compilation_unit_list compilation_unit                     /* 441 */
    | pragma pragma_list                                         /* 442 */
    ;

/* The pragmas after a library item belong to its unit, which ends with the
   last of them, up to the first configuration pragma, which opens the next
   compilation unit (trailing_pragma_list, 528-529). A finished unit's names
   live on in copies only, and a lookahead that can follow here is a reserved
   word or the end of input, which carries no text (any other is a syntax
   error before it is shifted): the parse's strings can go, so that they are
   bounded by the largest unit, not the file. */
compilation_unit
    : context_clause private_opt library_unit trailing_pragma_list /* 443 */
        { compilation_unit_close($4); }
    | private_opt library_unit trailing_pragma_list              /* 444 */
        { compilation_unit_close($3); }
    ;

private_opt
    : %empty                                                     /* 445 */
    | PRIVATE                                                    /* 446 */
    ;

context_clause
    : with_clause context_item_list                              /* 447 */
    | context_clause with_clause context_item_list               /* 448 */
    ;

with_clause
    : WITH compound_name_list SEMICOLON                          /* 449 */
        { with_clause_add($2.names); }
    ;

context_item_list
    : %empty                                                     /* 450 */
    | context_item_list use_clause                               /* 451 */
    | context_item_list pragma                                   /* 452 */
    ;

library_unit
    : package_declaration                                        /* 453 */
    | package_body                                               /* 454 */
    | subprogram_declaration                                     /* 455 */
    | subprogram_body                                            /* 456 */
    | subunit                                                    /* 457 */
    | generic_declaration                                        /* 458 */
    | unit_renaming_declaration                                  /* 459 */
    ;

/* Follows the parent's name, which is $0. */
subunit_parent_end
    : %empty                                                     /* 460 */
        { subunit_begin($0.text); }
    ;

subunit
    : SEPARATE LEFT_PAREN compound_name subunit_parent_end RIGHT_PAREN subunit_body /* 461 */
        { subunit_end(); }
    ;

subunit_body
    : subprogram_body                                            /* 462 */
    | package_body                                               /* 463 */
    | task_body                                                  /* 464 */
    | protected_body                                             /* 465 */
    ;

body_stub
    : TASK BODY direct_name IS SEPARATE SEMICOLON                /* 466 */
    | PACKAGE BODY compound_name IS SEPARATE SEMICOLON           /* 467 */
    | subprogram_specification IS SEPARATE SEMICOLON             /* 468 */
        { library_unit_close(BODY, top_properties() | IS_BODY | IS_STUB, $4); }
    | PROTECTED BODY direct_name IS SEPARATE SEMICOLON           /* 469 */
    ;

/* 470-482: exceptions, raise and requeue statements. */

exception_declaration
    : defining_identifier_list COLON EXCEPTION SEMICOLON         /* 470 */
    ;

exception_handler_part
    : EXCEPTION pragma_list exception_handler_list               /* 471 */
    ;

exception_handler_list
    : exception_handler                                          /* 472 */
    | exception_handler_list exception_handler                   /* 473 */
    ;

exception_handler
    : WHEN exception_choice_list ARROW sequence_of_statements    /* 474 */
    | WHEN defining_identifier COLON exception_choice_list ARROW sequence_of_statements /* 475 */
    ;

exception_choice_list
    : exception_choice                                           /* 476 */
    | exception_choice_list BAR exception_choice                 /* 477 */
    ;

exception_choice
    : name                                                       /* 478 */
    | OTHERS                                                     /* 479 */
    ;

raise_statement
    : RAISE name_opt SEMICOLON                                   /* 480 */
    ;

requeue_statement
    : REQUEUE name SEMICOLON                                     /* 481 */
    | REQUEUE name WITH ABORT SEMICOLON                          /* 482 */
    ;

/* 483-516: generics and instantiations. */

generic_declaration
    : generic_formal_part subprogram_specification SEMICOLON     /* 483 */
        { library_unit_close(SPEC, top_properties() | IS_GENERIC | IS_DECLARATION, $3); }
    | generic_formal_part package_specification SEMICOLON        /* 484 */
        { unit_end(units_last(), $3); }
    ;

generic_formal_part
    : GENERIC                                                    /* 485 */
    | generic_formal_part generic_formal_parameter_declaration   /* 486 */
    ;

generic_formal_parameter_declaration
    : parameter_specification SEMICOLON                          /* 487 */
    | TYPE direct_name formal_discriminant_part_opt IS formal_type_definition SEMICOLON /* 488 */
    | WITH PROCEDURE direct_name formal_part_opt subprogram_default_opt SEMICOLON /* 489 */
    | WITH FUNCTION designator formal_part_opt RETURN name subprogram_default_opt SEMICOLON /* 490 */
    | WITH PACKAGE direct_name IS NEW name LEFT_PAREN BOX RIGHT_PAREN SEMICOLON /* 491 */
    | WITH PACKAGE direct_name IS NEW name SEMICOLON             /* 492 */
    | use_clause                                                 /* 493 */
    | pragma                                                     /* 494 */
    ;

formal_discriminant_part_opt
    : %empty                                                     /* 495 */
    | known_discriminant_part                                    /* 496 */
    | LEFT_PAREN BOX RIGHT_PAREN                                 /* 497 */
    ;

subprogram_default_opt
    : %empty                                                     /* 498 */
    | IS name                                                    /* 499 */
    | IS BOX                                                     /* 500 */
    ;

formal_type_definition
    : LEFT_PAREN BOX RIGHT_PAREN                                 /* 501 */
    | RANGE BOX                                                  /* 502 */
    | MOD BOX                                                    /* 503 */
    | DELTA BOX                                                  /* 504 */
    | DELTA BOX DIGITS BOX                                       /* 505 */
    | DIGITS BOX                                                 /* 506 */
    | array_type_definition                                      /* 507 */
    | access_type_definition                                     /* 508 */
    | private_type_definition                                    /* 509 */
    | formal_derived_type_definition                             /* 510 */
    ;

formal_derived_type_definition
    : NEW subtype_indication                                     /* 511 */
    | NEW subtype_indication WITH PRIVATE                        /* 512 */
    | ABSTRACT NEW subtype_indication WITH PRIVATE               /* 513 */
    ;

subprogram_instantiation
    : subprogram_specification IS generic_instance_name          /* 514 */
        { subprogram_instantiation_add(); }
    ;

package_instantiation
    : PACKAGE compound_name IS generic_instance_name             /* 515 */
        { package_instantiation_add($2.text); }
    ;

generic_instance_name
    : NEW name                                                   /* 516 */
    ;

/* 517-527: representation clauses and the code statement. */

representation_clause
    : attribute_definition_clause                                /* 517 */
    | record_representation_clause                               /* 518 */
    | address_clause                                             /* 519 */
    ;

attribute_definition_clause
    : FOR mark USE expression SEMICOLON                          /* 520 */
    ;

record_representation_clause
    : FOR mark USE RECORD mod_clause_opt component_clause_list END RECORD SEMICOLON /* 521 */
    ;

/* The pragmas before the first component clause, around the mod clause
   (2.8: a pragma may stand where a clause may). */
mod_clause_opt
    : pragma_list                                                /* 522 */
    | pragma_list AT MOD expression SEMICOLON pragma_list        /* 523 */
    ;

component_clause_list
    : %empty                                                     /* 524 */
    | component_clause_list mark AT expression RANGE range SEMICOLON pragma_list /* 525 */
    ;

address_clause
    : FOR mark USE AT expression SEMICOLON                       /* 526 */
    ;

code_statement
    : qualified_expression SEMICOLON                             /* 527 */
    ;

/* 528-529: the pragmas after a library item, as far as they belong to its
   unit; numbered last so that adding them moved no other number. */
trailing_pragma_list
    : %empty                                                     /* 528 */
        { $$ = trailing_pragmas_begin(); }
    | trailing_pragma_list pragma                                /* 529 */
        { $$ = trailing_pragma_add($1, $2); }
    ;

%%
